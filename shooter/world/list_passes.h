// The per-list steps of a frame, shared by every arrangement of the world's lists.
#pragma once

#include "ptr_list.h"

#include <windows.h>

// Updates every entry, reading the count afresh before each step so that an entry appended
// during the pass is updated in the same pass, then deletes the dead entries.
template <class T> void updatePass(PtrList<T>& list) {
    for (int i = 0; i < list.count(); ++i) {
        list.get(i)->update();
    }
    list.removeDead();
}

template <class T> void drawPass(const PtrList<T>& list, HDC target) {
    for (int i = 0; i < list.count(); ++i) {
        list.get(i)->draw(target);
    }
}
