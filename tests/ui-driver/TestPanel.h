// A small window of the tests' own with one widget of each kind the driver
// must handle, and a second window that reuses a label.
#pragma once

#include <string>

struct TestPanel
{
    static constexpr int kItemCount = 60;   // buttons in the "items" child, all drawn
    static constexpr int kRowCount = 500;   // rows in the "rows" child, only those in view drawn

    int created = 0;
    int otherCreated = 0;
    int firstOk = 0;
    int secondOk = 0;
    int lockedPresses = 0;
    bool enabled = false;
    char name[64] = "start";
    int namesEntered = 0;
    char notes[128] = "first line\nsecond line";
    float speed = 0.0f;
    float leftWidth = 200.0f;   // the two sides of the splitter
    float rightWidth = 300.0f;
    int doubleClicks = 0;
    bool leafSelected = false;
    int clickedItem = -1;
    int selectedRow = -1;
    float itemsScroll = 0.0f;

    void Draw();
};
