#include "app/palladormain.h"

int main(int argc, char *argv[])
{
    return palladorMain(argc, argv);
}
