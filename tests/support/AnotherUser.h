#pragma once
// Runs a part of a test in a child process as a user other than the
// superuser, who may write in any folder: there a folder without write
// permission stops what the program would change in it. When the tests run
// as the superuser the child becomes "nobody", and the program folder of
// `tp` is given to it (the folder above opened to every user); else the
// child stays the user it is.
//
//   ::chmod(data.c_str(), 0555);
//   const std::string told = AsAnotherUser(tp, [&] { ...; return tp.dialogs.last().text; });
#include <functional>
#include <string>

#include "support/TestPlatform.h"

// What `run` answered in the child; "no other user" when the child could
// not become one.
std::string AsAnotherUser(TestPlatform& tp, const std::function<std::string()>& run);
