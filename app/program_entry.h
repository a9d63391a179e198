// The program's entry, called once at start-up.
#pragma once

int OwlMain(int argc, char* argv[]);
