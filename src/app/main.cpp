#include "app/run.h"

// kelvor takes no arguments: any given are ignored.
int main(int, char **)
{
    return runKelvor();
}
