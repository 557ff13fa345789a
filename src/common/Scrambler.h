#pragma once
// Scrambling a whole file with a repeating key. The same call scrambles and
// unscrambles: every byte is combined with a key character by exclusive or.
#include <cstdint>
#include <string>
#include <vector>

// Reads `SourcePath` whole, combines byte i (from 0) with key character
// (i + K - 1) mod K (from 0, K the key's length) - so byte 0 takes the last
// key character, byte 1 the first - and writes the result over the first
// bytes of `TargetPath` (made when missing; a longer target keeps its tail).
// Callers pass one path as both source and target; the file keeps its length.
// An empty file stays as it is. False, with nothing written, when the key is
// empty, the source cannot be read or the target cannot be written.
bool ScrambleFile(const std::string& SourcePath, const std::string& TargetPath, const std::string& Key);

// The same combination on bytes held in memory: byte i (from 0) with key
// character (i + K - 1) mod K. Applying it twice restores the bytes. False,
// with the bytes unchanged, when the key is empty.
bool ScrambleBytes(std::vector<uint8_t>& Bytes, const std::string& Key);
