#pragma once
// Steps that the receipt and document members share.
#include <cstddef>
#include <cstdint>
#include <string>

namespace service {

inline constexpr const char* TextReceiptNotOpen = "Чек не открыт";
inline constexpr const char* TextWrongReceiptType = "Неправильный тип чека";
inline constexpr const char* TextCommentTooLong = "Много символов в комментарии";

// Cash-in and cash-out receipts send no receipt command of their own.
bool IsCashInOrOut(int32_t receiptType);

// The result the member leaves, for its early ends.
int32_t CurrentResult();

// Receipt stages the device reports; any other non-zero stage is a fiscal
// receipt in progress.
inline constexpr int StageNone = 0;
inline constexpr int StagePaying = 3;
inline constexpr int StagePaidInFull = 4;
inline constexpr int StageNonFiscal = 5;

// Receipt stage of FLastReply: the low four bits of status byte S2.
int ReceiptStage();

// Unjudged status poll (80h). FDayOpened follows it only when the printer
// answered: a silent printer says nothing about the day.
void PollDayOpened();

// Comment line: a stored PreLine or PostLine that is not empty is cleaned in
// place and printed (61h, judged), then emptied. False when the print failed;
// the text is then kept. The trace lines, when given, go before the command
// and after its check.
bool PrintComment(std::string& text, const char* traceBefore = nullptr, const char* traceAfter = nullptr);

// Longest text one print command (61h) carries: its data text also holds the
// password and two ';'.
size_t PrintTextRoom();

// False after reporting 114/215 when the stored PreLine or PostLine does not
// fit one print command. Checked before a member's first command, so that a
// comment can never fail after the sale or payment it goes with.
bool RequireCommentsFit();

inline constexpr const char* TextBadDate = "Неверный формат даты/времени";

// The device's DDMMYY from an OPOS ddmmyyyy... text: its first eight
// characters less the century.
std::string DeviceDate(const std::string& text);

// Every character a decimal digit: a date or time text that can never add a
// field to its command.
bool AllDigits(const std::string& text);

// A trace line that some callers leave out (nullptr).
void TraceIf(const char* line);

}  // namespace service
