#pragma once
// How the program's process runs, set once as it starts: by src/main.cpp,
// and by the benchmark as it starts, so that the bench measures what runs.
//
// The memory a click frees goes back to the system when the click ends, each
// time the event loop has nothing left to do; within a click the C library
// hands what was freed out again. Left to itself it would keep more and more
// of what it frees: it maps a block of at least its bound (128 KB at first)
// on its own, but raises the bound to the size of each such block freed, and
// then keeps up to twice the bound free at the top of its heap; after a
// printout (the PDF writer's 16 MB buffers), up to 32 MB.
class QApplication;

namespace platform {

// The settings of the program's process, made once its application is made:
// the memory freed given back whenever the event loop waits (the end of a
// click), and no end of the program because its last window closed (it
// ends only through its own end, EndProgram).
void ApplyProcessSettings(QApplication& app);

// Gives every page the C library holds free back to the system: what the
// program does at the end of each click.
void GiveBackFreedMemory();

}  // namespace platform
