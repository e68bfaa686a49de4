#include "CommandLine.h"
#include "Modules.h"

int main(int argc, char *argv[])
{
    if (prepareCommandLine(argc, argv))
        return commandLineMain(argc, argv);
    return runWindowModule(argc, argv);
}
