#pragma once

// Answers whether a mouse is connected now; the main window implements it for the waiting message box.
class MouseConnectionSource
{
public:
    virtual ~MouseConnectionSource() = default;
    // True while at least one mouse is reachable (through its receiver or its cable).
    virtual bool mouseConnected() const = 0;
};
