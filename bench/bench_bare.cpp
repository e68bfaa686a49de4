// The floor of a command-line start: a bare QCoreApplication that prints one
// line. bench_startup times the program's commands against it, in pairs.
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    std::puts("eortologio");
    return 0;
}
