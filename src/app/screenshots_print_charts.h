// The pictures of the printing and chart windows for `plumora --screenshots`.
#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace plumora {

class TfrmMain;

// Grabs `widget` into the picture `name`; false when it could not be written.
using TGrabWindow = std::function<bool(QWidget* widget, const QString& name)>;

// With the styled project open in `frmMain` and a side-by-side viewer among
// its child windows: "Print left or right?", the first page of a listing's
// print preview, the chart selector, one bar and one pie chart window.
// Stops at the first picture that could not be written.
bool ShootPrintingAndCharts(TfrmMain& frmMain, const TGrabWindow& grab);

}  // namespace plumora
