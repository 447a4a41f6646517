#include "standin/values.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "standin/dispatch_object.h"

namespace standin {
namespace {

Fault typeMismatch() {
  return Fault{DISP_E_TYPEMISMATCH, L""};
}

VARIANT converted(const VARIANT& value, VARTYPE type) {
  VARIANT result;
  VariantInit(&result);
  if (FAILED(VariantChangeType(&result, const_cast<VARIANT*>(&value), 0, type)))
    throw typeMismatch();
  return result;
}

struct ArrayShape {
  LONG rows = 0;     // extent of the first (leftmost) index
  LONG columns = 1;  // extent of the second index of a 2-D array
};

// The doubles of a VT_R8 array in their memory order: the first index runs fastest, as in
// every automation array.
std::vector<double> rawDoubles(const VARIANT& value, ArrayShape& shape) {
  if (value.vt != (VT_ARRAY | VT_R8) || !value.parray) throw typeMismatch();
  SAFEARRAY* array = value.parray;
  const UINT dimensions = SafeArrayGetDim(array);
  if (dimensions < 1 || dimensions > 2) throw typeMismatch();
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  shape.rows = upper - lower + 1;
  if (dimensions == 2) {
    SafeArrayGetLBound(array, 2, &lower);
    SafeArrayGetUBound(array, 2, &upper);
    shape.columns = upper - lower + 1;
  }
  void* data = nullptr;
  if (FAILED(SafeArrayAccessData(array, &data))) throw typeMismatch();
  const double* first = static_cast<const double*>(data);
  std::vector<double> doubles(first, first + shape.rows * shape.columns);
  SafeArrayUnaccessData(array);
  return doubles;
}

std::string joined(const std::vector<double>& values) {
  std::string text;
  for (double value : values) text += (text.empty() ? "" : ",") + number(value);
  return text;
}

std::string describeArray(const VARIANT& value) {
  if ((value.vt & VT_TYPEMASK) != VT_R8) {
    return "ARRAY(vt " + std::to_string(value.vt & VT_TYPEMASK) + ")";
  }
  ArrayShape shape;
  const std::vector<double> raw = rawDoubles(value, shape);
  if (SafeArrayGetDim(value.parray) == 1) {
    return "R8[" + std::to_string(shape.rows) + "]:" + joined(raw);
  }
  std::vector<double> byRow;
  for (LONG row = 0; row < shape.rows; ++row) {
    for (LONG column = 0; column < shape.columns; ++column) {
      byRow.push_back(raw[row + shape.rows * column]);
    }
  }
  return "R8[" + std::to_string(shape.rows) + "x" + std::to_string(shape.columns) +
         "]:" + joined(byRow);
}

std::string describeError(SCODE code) {
  if (code == DISP_E_PARAMNOTFOUND) return "ERROR:DISP_E_PARAMNOTFOUND";
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
  return std::string("ERROR:") + text;
}

SAFEARRAY* newDoubleArray(UINT dimensions, SAFEARRAYBOUND* bounds) {
  SAFEARRAY* array = SafeArrayCreate(VT_R8, dimensions, bounds);
  if (!array) throw Fault{E_OUTOFMEMORY, L""};
  return array;
}

}  // namespace

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length,
                      nullptr, nullptr);
  return result;
}

std::wstring wide(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                      length);
  return result;
}

std::string number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

std::string describe(const VARIANT& value) {
  if (value.vt & VT_ARRAY) return describeArray(value);
  switch (value.vt) {
    case VT_EMPTY:
      return "EMPTY";
    case VT_BSTR:
      return "BSTR:\"" + utf8(value.bstrVal ? value.bstrVal : L"") + "\"";
    case VT_I2:
      return "I2:" + std::to_string(value.iVal);
    case VT_I4:
      return "I4:" + std::to_string(value.lVal);
    case VT_R8:
      return "R8:" + number(value.dblVal);
    case VT_BOOL:
      return std::string("BOOL:") + (value.boolVal ? "true" : "false");
    case VT_ERROR:
      return describeError(value.scode);
    case VT_DISPATCH:
      return "DISPATCH:" + labelOf(value.pdispVal);
    case VT_UNKNOWN:
      return "UNKNOWN:" + labelOf(value.punkVal);
    default:
      return "VT" + std::to_string(value.vt);
  }
}

std::wstring textOf(const VARIANT& value) {
  VARIANT text = converted(value, VT_BSTR);
  std::wstring result(text.bstrVal ? text.bstrVal : L"");
  VariantClear(&text);
  return result;
}

double doubleOf(const VARIANT& value) {
  return converted(value, VT_R8).dblVal;
}

long longOf(const VARIANT& value) {
  return converted(value, VT_I4).lVal;
}

bool boolOf(const VARIANT& value) {
  return converted(value, VT_BOOL).boolVal != VARIANT_FALSE;
}

std::vector<double> doublesOf(const VARIANT& value) {
  ArrayShape shape;
  std::vector<double> doubles = rawDoubles(value, shape);
  if (SafeArrayGetDim(value.parray) != 1) throw typeMismatch();
  return doubles;
}

Point pointOf(const VARIANT& value) {
  const std::vector<double> doubles = doublesOf(value);
  if (doubles.size() != 3) throw typeMismatch();
  return {doubles[0], doubles[1], doubles[2]};
}

Matrix matrixOf(const VARIANT& value) {
  ArrayShape shape;
  const std::vector<double> raw = rawDoubles(value, shape);
  if (shape.rows != 4 || shape.columns != 4 || SafeArrayGetDim(value.parray) != 2) {
    throw typeMismatch();
  }
  Matrix matrix{};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) matrix[row][column] = raw[row + 4 * column];
  }
  return matrix;
}

void setText(VARIANT& result, const std::wstring& text) {
  result.vt = VT_BSTR;
  result.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void setPoint(VARIANT& result, const Point& point) {
  SAFEARRAYBOUND bounds{3, 0};
  SAFEARRAY* array = newDoubleArray(1, &bounds);
  void* data = nullptr;
  SafeArrayAccessData(array, &data);
  std::copy(point.begin(), point.end(), static_cast<double*>(data));
  SafeArrayUnaccessData(array);
  result.vt = VT_ARRAY | VT_R8;
  result.parray = array;
}

void setMatrix(VARIANT& result, const Matrix& matrix) {
  SAFEARRAYBOUND bounds[2] = {{4, 0}, {4, 0}};
  SAFEARRAY* array = newDoubleArray(2, bounds);
  void* data = nullptr;
  SafeArrayAccessData(array, &data);
  double* cells = static_cast<double*>(data);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) cells[row + 4 * column] = matrix[row][column];
  }
  SafeArrayUnaccessData(array);
  result.vt = VT_ARRAY | VT_R8;
  result.parray = array;
}

void setObject(VARIANT& result, IDispatch* object) {
  object->AddRef();
  result.vt = VT_DISPATCH;
  result.pdispVal = object;
}

}  // namespace standin
