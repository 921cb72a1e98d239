#include "slot_stepping.h"

namespace orvanta {

int stepToOccupied(int current, int requested, int minimum, int maximum,
                   const SlotPredicate& occupied) {
    if (!occupied || occupied(requested))
        return requested;
    const int direction = requested > current ? 1 : -1;
    for (int slot = requested + direction; slot >= minimum && slot <= maximum; slot += direction) {
        if (occupied(slot))
            return slot;
    }
    return current;
}

} // namespace orvanta
