#include "app/program.h"

int main(int argc, char* argv[])
{
    return murax::runProgram(argc, argv);
}
