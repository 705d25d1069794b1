#include "clinic/app/ClinicProgram.h"
#include "platform/widgets/ErrorGuard.h"

int main(int argc, char* argv[])
{
    GuardedApplication app(argc, argv);
    return runClinicProgram(app);
}
