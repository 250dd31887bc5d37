#include "counter.h"

void Counter::increment()
{
    ++m_value;
    emit changed(m_value);
}
