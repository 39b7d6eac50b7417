#pragma once

namespace ql {

// What the enabled, visible and checked states of the main window's
// controls are derived from.
struct ButtonInputs
{
    bool PageVisible = false;
    bool HasFileName = false;
    bool Modified = false;
    bool EditorFocused = false;
    bool PrinterAvailable = false;
    int Layout = 0;

    bool operator==(const ButtonInputs &o) const
    {
        return PageVisible == o.PageVisible && HasFileName == o.HasFileName
               && Modified == o.Modified && EditorFocused == o.EditorFocused
               && PrinterAvailable == o.PrinterAvailable && Layout == o.Layout;
    }
};

// The states themselves. Controls not listed (New, Open, Clear All Cell
// Contents, Default Editor Font, Exit, Help) are always enabled.
struct ButtonStates
{
    bool IconPanelVisible = false;    // icon set button and icon list
    bool SaveEnabled = false;         // "&Save "
    bool ToolbarEnabled = false;
    bool PageCommandsEnabled = false; // Save As, Properties (menu and button), Print Setup, Save As Bitmap
    bool PrintEnabled = false;        // "P&rint Calendar" and the print button
    bool CancelChangesEnabled = false;
    bool ZoomEnabled = false;
    bool SaveButtonVisible = false;
    bool CancelButtonVisible = false;

    bool operator==(const ButtonStates &o) const
    {
        return IconPanelVisible == o.IconPanelVisible && SaveEnabled == o.SaveEnabled
               && ToolbarEnabled == o.ToolbarEnabled && PageCommandsEnabled == o.PageCommandsEnabled
               && PrintEnabled == o.PrintEnabled && CancelChangesEnabled == o.CancelChangesEnabled
               && ZoomEnabled == o.ZoomEnabled && SaveButtonVisible == o.SaveButtonVisible
               && CancelButtonVisible == o.CancelButtonVisible;
    }
};

ButtonStates ComputeButtonStates(const ButtonInputs &in);

} // namespace ql
