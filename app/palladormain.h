// Process start-up: automation switches, application object, main window and
// the start-up chooser.
#pragma once

// Runs the program. afterAppCreated, when given, runs right after the
// application object exists (test drivers install their helpers there).
int palladorMain(int argc, char *argv[], void (*afterAppCreated)() = nullptr);
