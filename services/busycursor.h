#pragma once

namespace ql {

// The busy (wait) cursor over the whole program, for long operations such as
// open, save and print. On and off are balanced: each on pushes Qt's override
// cursor once and each off pops one of ours, so an off without an on (an
// error path that switches it off twice) never pops an override cursor that
// someone else set.
void BusyCursorOn();
void BusyCursorOff();
// How many ons are not yet matched by an off.
int BusyCursorDepth();

// Busy for one scope, also when the scope ends with an exception.
class BusyCursor
{
public:
    BusyCursor() { BusyCursorOn(); }
    ~BusyCursor() { BusyCursorOff(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace ql
