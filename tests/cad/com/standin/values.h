#pragma once

#include <oaidl.h>
#include <windows.h>

#include <array>
#include <string>
#include <vector>

// Reading the arguments the client sent, describing them for the call record, and building
// results. A value of the wrong form throws Fault{DISP_E_TYPEMISMATCH}.
namespace standin {

// A failed call: with a description it travels in EXCEPINFO, without one as a bare HRESULT.
struct Fault {
  HRESULT hr;
  std::wstring description;
};

using Point = std::array<double, 3>;
// Element [row][column].
using Matrix = std::array<std::array<double, 4>, 4>;

std::string utf8(const std::wstring& wide);
std::wstring wide(const std::string& utf8);
std::string number(double value);

// "TYPE:value" as the call record shows an argument or a result, e.g. BSTR:"mono25", I2:0,
// R8[3]:1,2,3, R8[4x4]:row by row, ERROR:DISP_E_PARAMNOTFOUND, DISPATCH:TextStyle#7.
std::string describe(const VARIANT& value);

std::wstring textOf(const VARIANT& value);
double doubleOf(const VARIANT& value);
long longOf(const VARIANT& value);
bool boolOf(const VARIANT& value);
// A 1-D array of doubles, however long.
std::vector<double> doublesOf(const VARIANT& value);
Point pointOf(const VARIANT& value);
// A 4x4 array of doubles, the first index the row.
Matrix matrixOf(const VARIANT& value);

void setText(VARIANT& result, const std::wstring& text);
void setPoint(VARIANT& result, const Point& point);
void setMatrix(VARIANT& result, const Matrix& matrix);
// Hands out a reference to `object`.
void setObject(VARIANT& result, IDispatch* object);

}  // namespace standin
