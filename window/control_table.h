#pragma once

#include <QCoreApplication>
#include <QRect>

// What each control of the window is, where it sits and what it says. Geometry is in logical
// pixels relative to the window's client area, whatever the control's parent. Captions, tooltips
// and accessible names are marked for translation in the window's context, with its other texts;
// the window translates them as it creates the controls.
enum class ControlKind { Frame, Field, Caption, Result, Button, Picker, Bar };

// The weight of a result label's text.
enum class ResultStyle { None, Bold, Regular };

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent;  // a frame's name, or nullptr for the window
    QRect geometry;
    const char* text;  // caption or initial text
    int tabIndex;      // place in the focus order, -1 for none
    const char* toolTip;
    const char* accessibleName;  // nullptr: the toolkit's own (a label's or button's text)
    ResultStyle resultStyle = ResultStyle::None;
};

// clang-format off
class ControlTable {
    Q_DECLARE_TR_FUNCTIONS(FormTavro)

public:
    static constexpr ControlRow kRows[] = {
        // name           kind                  parent      x    y    w   h    text                        tab tooltip                                  accessible name
        {"Frame1",        ControlKind::Frame,   nullptr,  {16,  16, 217, 57},  QT_TR_NOOP("Elapsed time"), -1, "",                                      nullptr},
        {"TxthhIN",       ControlKind::Field,   nullptr,  {32,  32,  25, 25},  "00",                       0,  QT_TR_NOOP("Hours"),                     QT_TR_NOOP("Hours")},
        {"Label2",        ControlKind::Caption, "Frame1", {64,  32,   9, 17},  ":",                        -1, "",                                      nullptr},
        {"Txtmmin",       ControlKind::Field,   nullptr,  {80,  32,  25, 25},  "00",                       1,  QT_TR_NOOP("Minutes"),                   QT_TR_NOOP("Minutes")},
        {"Label4",        ControlKind::Caption, "Frame1", {112, 32,   9, 17},  ":",                        -1, "",                                      nullptr},
        {"Txtssin",       ControlKind::Field,   nullptr,  {128, 32,  25, 25},  "00",                       2,  QT_TR_NOOP("Seconds"),                   QT_TR_NOOP("Seconds")},
        {"CmdOK",         ControlKind::Button,  nullptr,  {248, 24,  81, 49},  QT_TR_NOOP("OK"),           4,  "",                                      nullptr},
        {"Frame2",        ControlKind::Frame,   nullptr,  {16,  88, 313, 57},  QT_TR_NOOP("Progress"),     -1, "",                                      nullptr},
        {"TxtProg",       ControlKind::Field,   nullptr,  {32, 104,  25, 25},  "00",                       3,  QT_TR_NOOP("Percentage done"),           QT_TR_NOOP("Percentage done")},
        {"Label1",        ControlKind::Caption, "Frame2", {64, 104,  17, 17},  "%",                        -1, "",                                      nullptr},
        {"Progress",      ControlKind::Bar,     nullptr,  {96, 104, 217, 25},  "",                         -1, QT_TR_NOOP("Progress bar"),              QT_TR_NOOP("Progress")},
        {"Frame3",        ControlKind::Frame,   nullptr,  {16, 160, 121, 41},  QT_TR_NOOP("Total time"),   -1, QT_TR_NOOP("Estimated total time"),      nullptr},
        // These two result labels span their frame's inner width and height, more than the
        // classic layout's, so that bold figures and long locale dates need not be shrunk and sit
        // centred in the frame, and a date and time too long for one line has room for two.
        {"Lbl_Total",     ControlKind::Result,  "Frame3", {20, 176, 113, 20},  "",                         -1, QT_TR_NOOP("Estimated total time"),      nullptr,                      ResultStyle::Bold},
        {"Frame4",        ControlKind::Frame,   nullptr,  {144, 160, 185, 41}, QT_TR_NOOP("Completion"),   -1, QT_TR_NOOP("Estimated completion time"), nullptr},
        {"LblCompletion", ControlKind::Result,  "Frame4", {148, 176, 177, 20}, "",                         -1, QT_TR_NOOP("Estimated completion time"), nullptr,                      ResultStyle::Bold},
        {"Frame5",        ControlKind::Frame,   nullptr,  {16, 216, 217, 57},  QT_TR_NOOP("Done at"),      -1, "",                                      nullptr},
        {"DTDoneTime",    ControlKind::Picker,  nullptr,  {32, 232, 105, 25},  "",                         5,  "",                                      QT_TR_NOOP("Done at")},
        {"LblDone",       ControlKind::Result,  "Frame5", {149, 233, 76, 29},  "",                         -1, "",                                      nullptr,                      ResultStyle::Regular},
        {"CmdCancel",     ControlKind::Button,  nullptr,  {248, 224, 81, 49},  QT_TR_NOOP("Cancel"),       6,  "",                                      nullptr},
    };
};
// clang-format on
