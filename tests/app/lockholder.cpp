// Takes the single-instance lock at the path given and reports the outcome on
// stdout; when it got the lock it holds it until killed or until stdin closes.
#include "singleinstance.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    amorisk::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const bool acquired = instance.acquire();
    std::printf("%s\n", acquired ? "acquired" : "refused");
    std::fflush(stdout);
    if (!acquired)
        return 0;
    char buffer[64];
    while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {}
    return 0;
}
