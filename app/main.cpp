#include "Application.h"

int main(int argc, char* argv[])
{
    return orvanta::runApplication(argc, argv);
}
