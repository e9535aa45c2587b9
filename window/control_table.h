// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include <QCoreApplication>
#include <QRect>

// Where each control of the window sits and what it says. Geometry is in logical pixels relative
// to the window's client area, whatever the control's parent. Captions, tooltips and accessible
// names are marked for translation in the window's context, with its other texts, and translated
// through WindowTexts as the controls are made.
struct ControlRow {
    const char* name;  // the control's object name
    QRect geometry;
    const char* text;  // caption or initial text
    int tabIndex;      // place in the focus order, -1 for none
    const char* toolTip;
    const char* accessibleName;  // nullptr: the toolkit's own (a label's or button's text)
};

class ControlTable {
    // Gives the markers below the window's context.
    Q_DECLARE_TR_FUNCTIONS(FormTavro)

public:
    // clang-format off
    //                                    name             x    y    w    h    text                        tab tooltip                                  accessible name
    static constexpr ControlRow Frame1       {"Frame1",        {16,  16, 217, 57},  QT_TR_NOOP("Elapsed time"), -1, "",                                      nullptr};
    static constexpr ControlRow TxthhIN      {"TxthhIN",       {32,  32,  25, 25},  "00",                       0,  QT_TR_NOOP("Hours"),                     QT_TR_NOOP("Hours")};
    static constexpr ControlRow Label2       {"Label2",        {64,  32,   9, 17},  ":",                        -1, "",                                      nullptr};
    static constexpr ControlRow Txtmmin      {"Txtmmin",       {80,  32,  25, 25},  "00",                       1,  QT_TR_NOOP("Minutes"),                   QT_TR_NOOP("Minutes")};
    static constexpr ControlRow Label4       {"Label4",        {112, 32,   9, 17},  ":",                        -1, "",                                      nullptr};
    static constexpr ControlRow Txtssin      {"Txtssin",       {128, 32,  25, 25},  "00",                       2,  QT_TR_NOOP("Seconds"),                   QT_TR_NOOP("Seconds")};
    static constexpr ControlRow CmdOK        {"CmdOK",         {248, 24,  81, 49},  QT_TR_NOOP("OK"),           4,  "",                                      nullptr};
    static constexpr ControlRow Frame2       {"Frame2",        {16,  88, 313, 57},  QT_TR_NOOP("Progress"),     -1, "",                                      nullptr};
    static constexpr ControlRow TxtProg      {"TxtProg",       {32, 104,  25, 25},  "00",                       3,  QT_TR_NOOP("Percentage done"),           QT_TR_NOOP("Percentage done")};
    static constexpr ControlRow Label1       {"Label1",        {64, 104,  17, 17},  "%",                        -1, "",                                      nullptr};
    static constexpr ControlRow Progress     {"Progress",      {96, 104, 217, 25},  "",                         -1, QT_TR_NOOP("Progress bar"),              QT_TR_NOOP("Progress")};
    static constexpr ControlRow Frame3       {"Frame3",        {16, 160, 121, 41},  QT_TR_NOOP("Total time"),   -1, QT_TR_NOOP("Estimated total time"),      nullptr};
    // The total and the completion span their frame's inner width and height, so that bold
    // figures and long locale dates need not shrink and sit centred in the frame, and a date and
    // time too long for one line has room for two.
    static constexpr ControlRow Lbl_Total    {"Lbl_Total",     {20, 176, 113, 20},  "",                         -1, QT_TR_NOOP("Estimated total time"),      nullptr};
    static constexpr ControlRow Frame4       {"Frame4",        {144, 160, 185, 41}, QT_TR_NOOP("Completion"),   -1, QT_TR_NOOP("Estimated completion time"), nullptr};
    static constexpr ControlRow LblCompletion{"LblCompletion", {148, 176, 177, 20}, "",                         -1, QT_TR_NOOP("Estimated completion time"), nullptr};
    static constexpr ControlRow Frame5       {"Frame5",        {16, 216, 217, 57},  QT_TR_NOOP("Done at"),      -1, "",                                      nullptr};
    static constexpr ControlRow DTDoneTime   {"DTDoneTime",    {32, 232, 105, 25},  "",                         5,  "",                                      QT_TR_NOOP("Done at")};
    static constexpr ControlRow LblDone      {"LblDone",       {149, 233, 76, 29},  "",                         -1, "",                                      nullptr};
    static constexpr ControlRow CmdCancel    {"CmdCancel",     {248, 224, 81, 49},  QT_TR_NOOP("Cancel"),       6,  "",                                      nullptr};
    // clang-format on

    // Every row, from the top of the window to its bottom.
    static constexpr const ControlRow* kRows[] = {
        &Frame1,        &TxthhIN, &Label2,     &Txtmmin,  &Label4,    &Txtssin,   &CmdOK,
        &Frame2,        &TxtProg, &Label1,     &Progress, &Frame3,    &Lbl_Total, &Frame4,
        &LblCompletion, &Frame5,  &DTDoneTime, &LblDone,  &CmdCancel,
    };

    // Controls that keep their left-to-right order when the window is mirrored: the figures of a
    // time and a percentage are written left to right in right-to-left languages too.
    static constexpr const ControlRow* kElapsedTime[] = {&TxthhIN, &Label2, &Txtmmin, &Label4,
                                                         &Txtssin};
    static constexpr const ControlRow* kPercentage[] = {&TxtProg, &Label1};
    static constexpr std::span<const ControlRow* const> kReadLeftToRight[] = {kElapsedTime,
                                                                              kPercentage};
};
