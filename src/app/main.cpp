#include "app/ProgramMain.h"

int main(int argc, char** argv) { return vesrin::ProgramMain(argc, argv); }
