#include "com_member_arguments.h"

namespace lumero::test {

VARTYPE ParameterType(char letter) {
  switch (letter) {
    case 'l':
      return VT_I4;
    case 'b':
      return VT_BOOL;
    case 's':
      return VT_BSTR;
    case 'c':
      return VT_CY;
    case 'd':
      return VT_DISPATCH;
    case 'L':
      return VT_BYREF | VT_I4;
    case 'S':
      return VT_BYREF | VT_BSTR;
  }
  return VT_EMPTY;
}

DefaultArguments::DefaultArguments(const char* letters) {
  for (size_t i = 0; letters[i] != '\0' && i < strings_.size(); ++i) {
    VARIANT value;
    VariantInit(&value);
    value.vt = ParameterType(letters[i]);
    switch (letters[i]) {
      case 'l':
        value.lVal = 0;
        break;
      case 'b':
        value.boolVal = VARIANT_FALSE;
        break;
      case 's':
        value.bstrVal = strings_[i] = SysAllocString(L"");
        break;
      case 'c':
        value.cyVal.int64 = 0;
        break;
      case 'd':
        value.pdispVal = nullptr;
        break;
      case 'L':
        value.plVal = &longs_[i];
        break;
      case 'S':
        value.pbstrVal = &strings_[i];
        break;
    }
    values_.push_back(value);
  }
}

DefaultArguments::~DefaultArguments() {
  for (BSTR text : strings_) SysFreeString(text);
}

}  // namespace lumero::test
