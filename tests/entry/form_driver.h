// Drives the data form as a person would: opens it from the menu, types into
// its fields and presses its buttons. Shared by the form's and the results'
// tests.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "entry/t_transfer_dialog.h"
#include "resources/ids.h"
#include "tests/app/program_driver.h"

namespace fotovuelo::testing {

// "&Datos"; the form becomes the window the person works in.
inline TTransferDialog* OpenForm(Program& p) {
  QMenu* menu = OpenCalculo(p);
  EXPECT_NE(menu, nullptr);
  if (menu == nullptr)
    return nullptr;
  Choose(menu, res::kCmDatos);
  EXPECT_NE(p.window.TransferDialog, nullptr);
  if (p.window.TransferDialog != nullptr) {
    QWidget* window = framework::testing::WidgetOf(*p.window.TransferDialog);
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  }
  return p.window.TransferDialog;
}

inline QWidget* Control(TTransferDialog* form, int id) {
  QWidget* widget = framework::testing::ControlOf(*form, id);
  EXPECT_NE(widget, nullptr) << id;
  return widget;
}

inline void Type(TTransferDialog* form, int id, const char* text) {
  QTest::keyClicks(Control(form, id), QString::fromUtf8(text));
}

inline void Click(TTransferDialog* form, int id) {
  QTest::mouseClick(Control(form, id), Qt::LeftButton);
}

// The worked flight, field by field, with "WGS 84" and "Analógico".
inline const std::vector<std::pair<int, const char*>> kWorkedFlight = {
    {10, "15000"}, {11, "152.4"}, {111, "230"}, {112, "230"}, {12, "60"},  {13, "30"},  {14, "10"},
    {15, "5"},     {16, "0.002"}, {17, "250"},  {38, "150"},  {27, "100"}, {28, "500"}, {23, "300"},
    {37, "40"},    {36, "0"},     {35, "0"},    {34, "3"},    {33, "0"},   {32, "0"},   {31, "0"},
    {30, "0"},     {29, "0"},     {103, "N"},   {104, "W"}};

inline void TypeWorkedFlight(TTransferDialog* form) {
  for (const auto& [id, text] : kWorkedFlight)
    Type(form, id, text);
  Click(form, 106);
  Click(form, 114);
}

inline std::string Golden(const char* name) {
  std::ifstream file(std::string(FOTOVUELO_TEST_DATA) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace fotovuelo::testing
