// The walk helper's entry (tolvane-walk): started by the program for each add, it makes that
// add's looks at the file system and writes what they find back through a pipe.
#include "lists/WalkProcess.h"

int main()
{
    return WalkHelperMain();
}
