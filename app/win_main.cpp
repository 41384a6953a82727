// The process entry point.
#include "app/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showCmd) {
    return kestrel::RunKestrel(commandLine, showCmd);
}
