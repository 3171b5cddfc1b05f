// The garden's daily tasks: description, state and reward of each task in a three-column table
// of nine rows with a scroll bar. Opening asks for the task list (884 sub 0x28); topic 161 says it
// arrived. The rows are read from the garden state when drawn.
#pragma once

#include <memory>

#include "garden/windows/GardenListTable.h"
#include "garden/windows/GardenPanel.h"

class CORVButton;
class CORVVScroll;

class CGardenTaskWnd : public CGardenPanel {
    ORV_DECLARE_RUNTIME_CLASS(CGardenTaskWnd)
public:
    static constexpr int kRows = 9;

    CGardenTaskWnd();
    ~CGardenTaskWnd() override;

    void OnCreate() override;
    bool OnMessage(ORVMsg* msg) override;
    bool OnMouseMove(int x, int y) override;
    void OnDraw() override;   // GardenTaskWndDraw.cpp

    CORVButton* m_pOkButton = nullptr;
    CORVVScroll* m_pScroll = nullptr;
    std::unique_ptr<GardenListTable> m_pTable;

protected:
    void Reload(const ORVMsg& msg) override;

private:
    void ReloadRows();
    int ScrollPos() const;
};
