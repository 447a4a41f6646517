#include "cad/com/variant_values.h"

#include <array>
#include <limits>

#include "cad/com/com_error.h"
#include "cad/com/wide_text.h"

namespace cad::com {
namespace {

// A SAFEARRAY of doubles that is destroyed unless a variant takes it over.
class DoubleArray {
 public:
  DoubleArray(UINT dimensions, SAFEARRAYBOUND* bounds)
      : array_(SafeArrayCreate(VT_R8, dimensions, bounds)) {
    if (!array_) throw AutomationError(7, "Out of memory");
  }
  ~DoubleArray() {
    if (array_) SafeArrayDestroy(array_);
  }
  DoubleArray(const DoubleArray&) = delete;
  DoubleArray& operator=(const DoubleArray&) = delete;

  // indices[0] is the first (leftmost) index, as an automation script writes it.
  void put(LONG* indices, double value) {
    const HRESULT hr = SafeArrayPutElement(array_, indices, &value);
    if (FAILED(hr)) throw comError(hr, "An array element could not be written");
  }

  Variant intoVariant() {
    VARIANT raw;
    VariantInit(&raw);
    raw.vt = VT_ARRAY | VT_R8;
    raw.parray = array_;
    array_ = nullptr;
    return Variant::adopt(raw);
  }

 private:
  SAFEARRAY* array_;
};

ULONG checkedCount(std::size_t count) {
  if (count > std::numeric_limits<LONG>::max()) throw AutomationError(7, "Out of memory");
  return static_cast<ULONG>(count);
}

// The copying and converting functions only read their source, but some SDKs declare it
// without const.
VARIANT* mutableSource(const Variant& value) {
  return const_cast<VARIANT*>(&value.raw());
}

// The value itself, with a by-reference variant followed to what it refers to.
Variant dereferenced(const Variant& value) {
  if (!(value.type() & VT_BYREF)) return value;
  Variant direct;
  const HRESULT hr = VariantCopyInd(direct.receive(), mutableSource(value));
  if (FAILED(hr)) throw typeMismatch();
  return direct;
}

Variant convertedTo(const Variant& value, VARTYPE type) {
  Variant converted;
  const HRESULT hr = VariantChangeType(converted.receive(), mutableSource(value), 0, type);
  if (FAILED(hr)) throw typeMismatch();
  return converted;
}

bool isArray(const Variant& value) {
  return (value.type() & VT_ARRAY) && value.raw().parray;
}

// One element of a numeric array, whichever numeric element type the CAD program chose.
double numberAt(SAFEARRAY* array, VARTYPE elementType, LONG* indices) {
  switch (elementType) {
    case VT_R8: {
      double number = 0;
      if (SUCCEEDED(SafeArrayGetElement(array, indices, &number))) return number;
      break;
    }
    case VT_R4: {
      float number = 0;
      if (SUCCEEDED(SafeArrayGetElement(array, indices, &number))) return number;
      break;
    }
    case VT_VARIANT: {
      Variant element;
      if (SUCCEEDED(SafeArrayGetElement(array, indices, element.receive()))) {
        return convertedTo(element, VT_R8).raw().dblVal;
      }
      break;
    }
    default:
      break;
  }
  throw typeMismatch();
}

struct Extent {
  LONG lower = 0;
  LONG count = 0;
};

// The bounds of dimension `dimension` (1 is the leftmost).
Extent extentOf(SAFEARRAY* array, UINT dimension) {
  LONG lower = 0;
  LONG upper = -1;
  if (FAILED(SafeArrayGetLBound(array, dimension, &lower)) ||
      FAILED(SafeArrayGetUBound(array, dimension, &upper))) {
    throw typeMismatch();
  }
  return {lower, upper - lower + 1};
}

}  // namespace

Variant textValue(std::string_view text) {
  const std::wstring wide = toWide(text);
  VARIANT raw;
  VariantInit(&raw);
  raw.vt = VT_BSTR;
  raw.bstrVal = SysAllocStringLen(wide.data(), checkedCount(wide.size()));
  if (!raw.bstrVal) throw AutomationError(7, "Out of memory");
  return Variant::adopt(raw);
}

Variant doubleValue(double value) {
  VARIANT raw;
  VariantInit(&raw);
  raw.vt = VT_R8;
  raw.dblVal = value;
  return Variant::adopt(raw);
}

Variant int32Value(std::int32_t value) {
  VARIANT raw;
  VariantInit(&raw);
  raw.vt = VT_I4;
  raw.lVal = value;
  return Variant::adopt(raw);
}

Variant int16Value(std::int16_t value) {
  VARIANT raw;
  VariantInit(&raw);
  raw.vt = VT_I2;
  raw.iVal = value;
  return Variant::adopt(raw);
}

Variant boolValue(bool value) {
  VARIANT raw;
  VariantInit(&raw);
  raw.vt = VT_BOOL;
  raw.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return Variant::adopt(raw);
}

Variant pointValue(const Point3& point) {
  return doublesValue({point.x(), point.y(), point.z()});
}

Variant doublesValue(const std::vector<double>& values) {
  SAFEARRAYBOUND bounds{checkedCount(values.size()), 0};
  DoubleArray array(1, &bounds);
  for (LONG i = 0; i < static_cast<LONG>(values.size()); ++i) array.put(&i, values[i]);
  return array.intoVariant();
}

Variant matrixValue(const Matrix4& matrix) {
  std::array<SAFEARRAYBOUND, 2> bounds{{{4, 0}, {4, 0}}};
  DoubleArray array(2, bounds.data());
  for (LONG row = 0; row < 4; ++row) {
    for (LONG column = 0; column < 4; ++column) {
      std::array<LONG, 2> indices{row, column};
      array.put(indices.data(), matrix(row, column));
    }
  }
  return array.intoVariant();
}

Variant missingValue() {
  VARIANT raw;
  VariantInit(&raw);
  raw.vt = VT_ERROR;
  raw.scode = DISP_E_PARAMNOTFOUND;
  return Variant::adopt(raw);
}

Variant objectValue(IDispatch* object) {
  VARIANT raw;
  VariantInit(&raw);
  raw.vt = VT_DISPATCH;
  raw.pdispVal = object;
  if (object) object->AddRef();
  return Variant::adopt(raw);
}

std::string toText(const Variant& value) {
  const Variant text = convertedTo(dereferenced(value), VT_BSTR);
  const BSTR bstr = text.raw().bstrVal;
  return bstr ? toUtf8(std::wstring_view(bstr, SysStringLen(bstr))) : std::string();
}

bool toBool(const Variant& value) {
  return convertedTo(dereferenced(value), VT_BOOL).raw().boolVal != VARIANT_FALSE;
}

std::int32_t toInt32(const Variant& value) {
  return convertedTo(dereferenced(value), VT_I4).raw().lVal;
}

Point3 toPoint(const Variant& given) {
  const Variant value = dereferenced(given);
  if (!isArray(value)) throw typeMismatch();
  SAFEARRAY* array = value.raw().parray;
  if (SafeArrayGetDim(array) != 1) throw typeMismatch();
  const Extent extent = extentOf(array, 1);
  if (extent.count != 3) throw typeMismatch();
  const VARTYPE elementType = value.type() & VT_TYPEMASK;
  Point3 point;
  for (LONG i = 0; i < 3; ++i) {
    LONG index = extent.lower + i;
    point[i] = numberAt(array, elementType, &index);
  }
  return point;
}

Matrix4 toMatrix(const Variant& given) {
  const Variant value = dereferenced(given);
  if (!isArray(value)) throw typeMismatch();
  SAFEARRAY* array = value.raw().parray;
  if (SafeArrayGetDim(array) != 2) throw typeMismatch();
  const Extent rows = extentOf(array, 1);
  const Extent columns = extentOf(array, 2);
  if (rows.count != 4 || columns.count != 4) throw typeMismatch();
  const VARTYPE elementType = value.type() & VT_TYPEMASK;
  Matrix4 matrix;
  for (LONG row = 0; row < 4; ++row) {
    for (LONG column = 0; column < 4; ++column) {
      std::array<LONG, 2> indices{rows.lower + row, columns.lower + column};
      matrix(row, column) = numberAt(array, elementType, indices.data());
    }
  }
  return matrix;
}

Variable toVariable(const Variant& given) {
  const Variant value = dereferenced(given);
  if (isArray(value)) return toPoint(value);
  switch (value.type()) {
    case VT_BSTR:
      return toText(value);
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
      // A value beyond 32 bits fails the conversion: a type mismatch, like any other.
      return static_cast<std::int32_t>(convertedTo(value, VT_I4).raw().lVal);
    default:
      throw typeMismatch();
  }
}

}  // namespace cad::com
