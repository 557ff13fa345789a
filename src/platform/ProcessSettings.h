#pragma once
// How the program's process runs, set once as it starts: by src/main.cpp,
// and by the benchmark as it starts, so that the bench measures what runs.
//
// Within a click the C library hands what was freed out again. Left to
// itself it would keep more and more of what it frees: it maps a block of at
// least its bound (128 KB at first) on its own, but raises the bound to the
// size of each such block freed, and then keeps up to twice the bound free
// at the top of its heap; after a printout (the PDF writer's 16 MB buffers),
// up to 32 MB. So what the C library keeps free goes back to the system
// when the event loop waits, once it keeps kKeptFreeKb more than it kept the
// last time it gave back: the next small click takes again what a small
// click freed without the page faults of taking it from the system, and
// what is resident between clicks stays within that much of what the
// program holds.
class QApplication;

namespace platform {

// How much more than it kept after it last gave back the C library may
// keep free while the event loop waits, in kB.
inline constexpr long kKeptFreeKb = 2 * 1024;

// The settings of the program's process, made once its application is made:
// EventLoopWaits whenever the event loop waits (a click has ended, or a
// window or box it opened waits for the user), and no end of the program
// because its last window closed (it ends only through its own end,
// EndProgram).
void ApplyProcessSettings(QApplication& app);

// What the program does each time its event loop waits: the memory freed
// given back (GiveBackFreedMemory) when the process holds kKeptFreeKb or
// more resident beyond what the program holds allocated than it held after
// the memory last went back.
void EventLoopWaits();

// Gives every page the C library holds free back to the system.
void GiveBackFreedMemory();

}  // namespace platform
