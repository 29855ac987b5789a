#pragma once
// Setting a large selection in a virtual list at the cost of its rows, whatever its shape.
//
// A virtual list keeps its selection as an array of ranges of positions, and the only way in is one
// row at a time. In Wine's list, selecting a row beside a range looks at every range, and unselecting
// one looks at every range below it; a range made or split moves every range above it along the array,
// which costs far less per range. Set in plain ascending order, runs of selected rows (pairs, two of
// every three, a random half) cost the square of their number. So the rows are set in one of two
// orders, whichever is estimated to cost less for the shape at hand:
// - from none: the selected runs longest first, while there are few ranges to look at;
// - from all: the unselected runs from the highest down, each from its lowest row up, so that every
//   change is at the first or second range; only the split of each run moves the ranges above.
#include <windows.h>

#include <vector>

// Selects exactly the positions flagged in `selected` (one flag per position) in a list that has no row
// selected. It sets neither the focus nor the selection mark.
void SelectPositions(HWND list, const std::vector<bool>& selected);
