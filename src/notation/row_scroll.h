#pragma once

// The period row's scroll position that brings an element into view: unchanged while any of it
// is visible, so that editing or playing a motive at the edge never throws the row away;
// otherwise moved just far enough to show the element whole (its start when it is wider than
// the view). Positions are the row's x at the view's left edge.
int scrollToShow(int position, int viewWidth, int left, int width);

// The scroll position after `steps` wheel notches (positive towards the row's end), kept
// within 0..maximum.
int scrollByWheel(int position, int steps, int stepPixels, int maximum);
