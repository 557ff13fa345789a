#pragma once
// The program's first procedure: checks that the clock gives the date as
// "MM/DD/YYYY" and the time as "HH:MM:SS", keeps them in DateText and
// TimeText, and loads the start-up window, which returns once the main window
// is up. With a date or time of another form it says why and ends the program
// at once, writing nothing.
void Main();
