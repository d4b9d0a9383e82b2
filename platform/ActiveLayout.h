#pragma once

#include "KeyboardMap.h"

// Which of the two Spanish keyboards the system types with. Qt does not tell: the ways of asking
// the system live behind this interface, with a double for tests.
class ActiveLayout
{
public:
    virtual ~ActiveLayout() = default;
    virtual KeyboardMap::Layout activeLayout() const = 0;
};
