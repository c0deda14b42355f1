#pragma once
// The one device state of the process: every object of the class reads and
// writes these fields, so one process drives one printer.
#include <array>
#include <cstdint>
#include <string>

#include "devicelink/device_reply.h"

namespace service {

// PrinterState values.
inline constexpr int32_t StateMonitor = 1;
inline constexpr int32_t StateReceipt = 2;
inline constexpr int32_t StatePaying = 3;
inline constexpr int32_t StatePaid = 4;
inline constexpr int32_t StateItemList = 7;
inline constexpr int32_t StateNonFiscal = 9;

// FiscalReceiptType values.
inline constexpr int32_t ReceiptCashIn = 1;
inline constexpr int32_t ReceiptCashOut = 2;
inline constexpr int32_t ReceiptGeneric = 3;
inline constexpr int32_t ReceiptSales = 4;
inline constexpr int32_t ReceiptRefund = 7;

inline constexpr int ModelCount = 7;
inline constexpr size_t PortNameBytes = 30;
inline constexpr size_t PrinterCommandsPathBytes = 500;
inline constexpr size_t ReservedWordBytes = 300;

struct TServiceState {
  // Result of the last member that reported one.
  int32_t FResultCode = 0;
  int32_t FResultCodeExtended = 0;
  std::string FErrorString;

  // Life cycle and printer state.
  uint8_t FOpened = 0;
  uint8_t FClaimed = 0;
  uint8_t FDeviceEnabled = 0;
  int32_t FPrinterState = 0;

  // Device link.
  const char* FOperatorPassword = "730514";
  devicelink::TDeviceReply* FLastReply = nullptr;
  int32_t FLinkError = 0;
  int32_t FReplyFailures = 0;
  int32_t FPortHandle = 0;  // 0 or -1: no port

  // Configuration, written by OpenService.
  int32_t FModelIndex = 0;
  std::array<const char*, ModelCount> FModelDisplayNames = {
      "Vornik MR-20", "Vornik MR-41", "Vornik MR-62", "Vornik MR-73",
      "Vornik MR-84", "Vornik MR-95", "Vornik MK-16"};
  std::array<const char*, ModelCount> FModelDeviceNames = {
      "Vornik_MR20_1.11", "Vornik_MR41_1.11", "Vornik_MR62_1.11", "Vornik_MR73_1.11",
      "Vornik_MR84_1.11", "Vornik_MR95_1.11", "Vornik_MK16_1.11"};
  std::string FPortName;  // trimmed, in its stored case
  int32_t FBaudRate = 0;
  uint8_t FPrinterCommands = 0;
  char FPrinterCommandsPath[PrinterCommandsPathBytes] = {};
  int32_t FOpenResult = 0;

  // Documents and device data.
  int32_t FFiscalReceiptType = 0;
  int32_t FFiscalReceiptStation = 0;
  uint8_t FDuplicateReceipt = 0;
  uint8_t FDayOpened = 0;
  uint8_t FCheckTotal = 0;
  uint8_t FDateType = 0;
  int32_t FTotalizerType = 0;
  int32_t FMessageType = 24;
  std::string FPreLine;
  std::string FPostLine;
  int32_t FPOSID = 0;
  int32_t FCashierID = 0;
  int32_t FArticleMode = 1;
  int32_t FLineWidth = 0;
  uint8_t FPaymentTextCapable = 1;
  int32_t FAdditionalHeaderIndex = -1;
  char FReservedWord[ReservedWordBytes] = {};
  int32_t FState = 0;

  // Property values that no device command touches.
  int32_t FErrorLevel = 1;
  int32_t FErrorState = 0;
  int32_t FErrorStation = 0;
  uint8_t FDataEventEnabled = 0;
  uint8_t FFreezeEvents = 0;
  uint8_t FFlagWhenIdle = 0;
  int32_t FOutputID = 0;
  std::string FCheckHealthText;
};

TServiceState& ServiceState();

// Puts every field back to its value at library load (tests).
void ResetServiceState();

}  // namespace service
