// Process start-up: command line, application object, main window, chooser.
#pragma once

int palladorMain(int argc, char *argv[]);
