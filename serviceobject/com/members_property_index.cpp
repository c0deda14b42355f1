// The four accessors through which the Control Object reaches every property,
// by its OPOS index number. Each calls the property's own member on this
// object, so guards and results are that member's; only an index missing
// from its table is refused here.
#include <algorithm>
#include <array>

#include "serviceobject/com/member_call.h"
#include "serviceobject/com/mr62_retail.h"

namespace lumero::com {
namespace {

using T = TMR62RetailImpl;
using LongGetter = HRESULT (STDMETHODCALLTYPE T::*)(LONG*);
using FlagGetter = HRESULT (STDMETHODCALLTYPE T::*)(VARIANT_BOOL*);
using LongSetter = HRESULT (STDMETHODCALLTYPE T::*)(LONG);
using FlagSetter = HRESULT (STDMETHODCALLTYPE T::*)(VARIANT_BOOL);
using TextGetter = HRESULT (STDMETHODCALLTYPE T::*)(BSTR*);
using TextSetter = HRESULT (STDMETHODCALLTYPE T::*)(BSTR);

// A number property is boolean exactly when its member takes VARIANT_BOOL, so
// the member's own type picks the field and no flag can disagree with it.
template <class Long, class Flag>
struct NumberEntry {
  constexpr NumberEntry(LONG i, Long member) : index(i), number(member) {}
  constexpr NumberEntry(LONG i, Flag member) : index(i), flag(member) {}
  LONG index;
  Long number = nullptr;
  Flag flag = nullptr;
};
using NumberGet = NumberEntry<LongGetter, FlagGetter>;
using NumberSet = NumberEntry<LongSetter, FlagSetter>;

template <class Member>
struct TextEntry {
  LONG index;
  Member member;
};

constexpr std::array<NumberGet, 108> kNumberGetters{{
    {1, &T::get_Claimed},
    {2, &T::get_DataEventEnabled},
    {3, &T::get_DeviceEnabled},
    {4, &T::get_FreezeEvents},
    {5, &T::get_OutputID},
    {6, &T::get_ResultCode},
    {7, &T::get_ResultCodeExtended},
    {8, &T::get_ServiceObjectVersion},
    {9, &T::get_State},
    {11, &T::get_BinaryConversion},
    {13, &T::get_PowerNotify},
    {14, &T::get_PowerState},
    {501, &T::get_CapPowerReporting},
    {502, &T::get_CapStatisticsReporting},
    {503, &T::get_CapUpdateStatistics},
    {504, &T::get_CapCompareFirmwareVersion},
    {505, &T::get_CapUpdateFirmware},
    {16001, &T::get_AmountDecimalPlaces},
    {16002, &T::get_AsyncMode},
    {16003, &T::get_CheckTotal},
    {16004, &T::get_CountryCode},
    {16005, &T::get_CoverOpen},
    {16006, &T::get_DayOpened},
    {16007, &T::get_DescriptionLength},
    {16008, &T::get_DuplicateReceipt},
    {16009, &T::get_ErrorLevel},
    {16010, &T::get_ErrorOutID},
    {16011, &T::get_ErrorState},
    {16012, &T::get_ErrorStation},
    {16013, &T::get_FlagWhenIdle},
    {16014, &T::get_JrnEmpty},
    {16015, &T::get_JrnNearEnd},
    {16016, &T::get_MessageLength},
    {16017, &T::get_NumHeaderLines},
    {16018, &T::get_NumTrailerLines},
    {16019, &T::get_NumVatRates},
    {16020, &T::get_PrinterState},
    {16021, &T::get_QuantityDecimalPlaces},
    {16022, &T::get_QuantityLength},
    {16023, &T::get_RecEmpty},
    {16024, &T::get_RecNearEnd},
    {16025, &T::get_RemainingFiscalMemory},
    {16026, &T::get_SlpEmpty},
    {16027, &T::get_SlpNearEnd},
    {16028, &T::get_SlipSelection},
    {16029, &T::get_TrainingModeActive},
    {16030, &T::get_ActualCurrency},
    {16031, &T::get_ContractorId},
    {16032, &T::get_DateType},
    {16033, &T::get_FiscalReceiptStation},
    {16034, &T::get_FiscalReceiptType},
    {16035, &T::get_MessageType},
    {16036, &T::get_TotalizerType},
    {16501, &T::get_CapAdditionalLines},
    {16502, &T::get_CapAmountAdjustment},
    {16503, &T::get_CapAmountNotPaid},
    {16504, &T::get_CapCheckTotal},
    {16505, &T::get_CapCoverSensor},
    {16506, &T::get_CapDoubleWidth},
    {16507, &T::get_CapDuplicateReceipt},
    {16508, &T::get_CapFixedOutput},
    {16509, &T::get_CapHasVatTable},
    {16510, &T::get_CapIndependentHeader},
    {16511, &T::get_CapItemList},
    {16512, &T::get_CapJrnEmptySensor},
    {16513, &T::get_CapJrnNearEndSensor},
    {16514, &T::get_CapJrnPresent},
    {16515, &T::get_CapNonFiscalMode},
    {16516, &T::get_CapOrderAdjustmentFirst},
    {16517, &T::get_CapPercentAdjustment},
    {16518, &T::get_CapPositiveAdjustment},
    {16519, &T::get_CapPowerLossReport},
    {16520, &T::get_CapPredefinedPaymentLines},
    {16521, &T::get_CapReceiptNotPaid},
    {16522, &T::get_CapRecEmptySensor},
    {16523, &T::get_CapRecNearEndSensor},
    {16524, &T::get_CapRecPresent},
    {16525, &T::get_CapRemainingFiscalMemory},
    {16526, &T::get_CapReservedWord},
    {16527, &T::get_CapSetHeader},
    {16528, &T::get_CapSetPOSID},
    {16529, &T::get_CapSetStoreFiscalID},
    {16530, &T::get_CapSetTrailer},
    {16531, &T::get_CapSetVatTable},
    {16532, &T::get_CapSlpEmptySensor},
    {16533, &T::get_CapSlpFiscalDocument},
    {16534, &T::get_CapSlpFullSlip},
    {16535, &T::get_CapSlpNearEndSensor},
    {16536, &T::get_CapSlpPresent},
    {16537, &T::get_CapSlpValidation},
    {16538, &T::get_CapSubAmountAdjustment},
    {16539, &T::get_CapSubPercentAdjustment},
    {16540, &T::get_CapSubtotal},
    {16541, &T::get_CapTrainingMode},
    {16542, &T::get_CapValidateJournal},
    {16543, &T::get_CapXReport},
    {16544, &T::get_CapAdditionalHeader},
    {16545, &T::get_CapAdditionalTrailer},
    {16546, &T::get_CapChangeDue},
    {16547, &T::get_CapEmptyReceiptIsVoidable},
    {16548, &T::get_CapFiscalReceiptStation},
    {16549, &T::get_CapFiscalReceiptType},
    {16550, &T::get_CapMultiContractor},
    {16551, &T::get_CapOnlyVoidLastItem},
    {16552, &T::get_CapPackageAdjustment},
    {16553, &T::get_CapPostPreLine},
    {16554, &T::get_CapSetCurrency},
    {16555, &T::get_CapTotalizerType},
}};

constexpr std::array<NumberSet, 16> kNumberSetters{{
    {2, &T::put_DataEventEnabled},
    {3, &T::put_DeviceEnabled},
    {4, &T::put_FreezeEvents},
    {11, &T::put_BinaryConversion},
    {13, &T::put_PowerNotify},
    {16002, &T::put_AsyncMode},
    {16003, &T::put_CheckTotal},
    {16008, &T::put_DuplicateReceipt},
    {16013, &T::put_FlagWhenIdle},
    {16028, &T::put_SlipSelection},
    {16031, &T::put_ContractorId},
    {16032, &T::put_DateType},
    {16033, &T::put_FiscalReceiptStation},
    {16034, &T::put_FiscalReceiptType},
    {16035, &T::put_MessageType},
    {16036, &T::put_TotalizerType},
}};

constexpr std::array<TextEntry<TextGetter>, 12> kTextGetters{{
    {1000001, &T::get_CheckHealthText},
    {1000002, &T::get_DeviceDescription},
    {1000003, &T::get_DeviceName},
    {1000004, &T::get_ServiceObjectDescription},
    {1016001, &T::get_ErrorString},
    {1016002, &T::get_PredefinedPaymentLines},
    {1016003, &T::get_ReservedWord},
    {1016004, &T::get_AdditionalHeader},
    {1016005, &T::get_AdditionalTrailer},
    {1016006, &T::get_ChangeDue},
    {1016007, &T::get_PostLine},
    {1016008, &T::get_PreLine},
}};

// AdditionalTrailer and ChangeDue are writable, yet not through an index.
constexpr std::array<TextEntry<TextSetter>, 3> kTextSetters{{
    {1016004, &T::put_AdditionalHeader},
    {1016007, &T::put_PostLine},
    {1016008, &T::put_PreLine},
}};

template <class Entry, size_t N>
const Entry* Find(const std::array<Entry, N>& table, LONG index) {
  const auto entry = std::find_if(table.begin(), table.end(),
                                  [index](const Entry& e) { return e.index == index; });
  return entry == table.end() ? nullptr : &*entry;
}

HRESULT Refuse() { return Accessor(service::RefuseProperty); }

}  // namespace

STDMETHODIMP TMR62RetailImpl::GetPropertyNumber(LONG PropIndex, LONG* pNumber) {
  if (pNumber == nullptr) return E_POINTER;
  const NumberGet* entry = Find(kNumberGetters, PropIndex);
  if (entry == nullptr) return Refuse();
  if (entry->number != nullptr) return (this->*entry->number)(pNumber);
  // A refusing getter leaves the local at 0, so a boolean always comes back 0 or 1.
  VARIANT_BOOL value = 0;
  const HRESULT hr = (this->*entry->flag)(&value);
  *pNumber = value != 0 ? 1 : 0;
  return hr;
}

STDMETHODIMP TMR62RetailImpl::SetPropertyNumber(LONG PropIndex, LONG Number) {
  const NumberSet* entry = Find(kNumberSetters, PropIndex);
  if (entry == nullptr) return Refuse();
  if (entry->number != nullptr) return (this->*entry->number)(Number);
  return (this->*entry->flag)(Number != 0 ? VARIANT_TRUE : VARIANT_FALSE);
}

STDMETHODIMP TMR62RetailImpl::GetPropertyString(LONG PropIndex, BSTR* StrData) {
  if (StrData == nullptr) return E_POINTER;
  const auto* entry = Find(kTextGetters, PropIndex);
  return entry != nullptr ? (this->*entry->member)(StrData) : Refuse();
}

STDMETHODIMP TMR62RetailImpl::SetPropertyString(LONG PropIndex, BSTR StrData) {
  const auto* entry = Find(kTextSetters, PropIndex);
  return entry != nullptr ? (this->*entry->member)(StrData) : Refuse();
}

}  // namespace lumero::com
