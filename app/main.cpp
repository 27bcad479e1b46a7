#include <iostream>

#include "app/information_options.h"
#include "app/program.h"

int main(int argc, char* argv[])
{
    if (const auto status = murax::answerInformationOption(argc, argv, std::cout))
        return *status;
    return murax::runProgram(argc, argv);
}
