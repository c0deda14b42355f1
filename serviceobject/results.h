#pragma once
// How members report their outcome, and the guards they start with.
#include <cstdint>

namespace service {

inline constexpr int32_t ResultSuccess = 0;
inline constexpr int32_t ResultClosed = 101;
inline constexpr int32_t ResultClaimed = 102;
inline constexpr int32_t ResultDisabled = 105;
inline constexpr int32_t ResultIllegal = 106;
inline constexpr int32_t ResultNoHardware = 107;
inline constexpr int32_t ResultBadConfiguration = 109;  // OPOS "no such device": the registry names none usable
inline constexpr int32_t ResultFailure = 111;
inline constexpr int32_t ResultTimeout = 112;
inline constexpr int32_t ResultExtended = 114;

inline constexpr int32_t ExtendedCoverOpen = 201;
inline constexpr int32_t ExtendedJournalEmpty = 202;
inline constexpr int32_t ExtendedReceiptEmpty = 203;
inline constexpr int32_t ExtendedMissingDevices = 206;
inline constexpr int32_t ExtendedWrongState = 207;
inline constexpr int32_t ExtendedMemoryFull = 210;
inline constexpr int32_t ExtendedMemoryError = 211;
inline constexpr int32_t ExtendedBadAmount = 214;
inline constexpr int32_t ExtendedBadText = 215;
inline constexpr int32_t ExtendedBadTaxCode = 217;
inline constexpr int32_t ExtendedBadPrice = 218;
inline constexpr int32_t ExtendedBadDate = 219;
inline constexpr int32_t ExtendedBadCommand = 221;

// The two texts of the open guard, and the text of the open-and-enabled guard.
inline constexpr const char* TextServiceNotOpen = "Сервис не открыт";
inline constexpr const char* TextServiceObjectNotOpen = "Service объект не открыт";
inline constexpr const char* TextNotOpenOrNotEnabled = "Service объект не открыт или устр. не разрешено";

// Sets FResultCode and FErrorString and keeps FResultCodeExtended; returns code.
int32_t Report(int32_t code, const char* text);
// Sets all three result fields; returns code.
int32_t Report(int32_t code, int32_t extended, const char* text);
// 0, 0 and an empty text.
int32_t ReportSuccess();

// Open guard: false after reporting 101 with `closedText`.
bool RequireOpen(const char* closedText = TextServiceNotOpen);
// Open-and-enabled guard: false after reporting 105.
bool RequireOpenAndEnabled();

}  // namespace service
