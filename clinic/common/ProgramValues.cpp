#include "clinic/common/ProgramValues.h"

ProgramValues& programValues()
{
    static ProgramValues values;
    return values;
}
