// The dictionary of device error codes.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "serviceobject/device_errors.h"

namespace {

struct DecodeCase {
  const char* code;
  bool ok;
  const char* text;
};

const DecodeCase DecodeCases[] = {
    {"0000", true, ""},
    {"0001", false, "Ошибка оборудования!\n Неопределенная ошибка оборудования!"},
    {"0A01", false, "Ошибка оборудования!\n Неизвестная ошибка!"},
    {"0302", false, "Переполнение буфера приемника/передатчика!"},
    {"0C03", false, "Неправильный формат поля номер 12!"},
    {"1504", false, "Значение поля номер 21 выходит за допустимый диапазон!"},
    {"0C05", false, "Ошибка фискальной памяти!\n ДОшибка в формате даты!"},
    {"0F05", false, "Ошибка фискальной памяти!\n Неизвестная ошибка!"},
    {"0F06", false, "Неверный пароль доступа!"},
    {"0307", false, "Команда не может быть выполнена в данном состоянии регистратора!\nРегистратор находится в автономном режиме!"},
    {"FF08", false, "При выполнении операции \n  обнаружено арифметическое переполнение!"},
    {"0409", false, "Не обнулено!Ошибка данных"},
    {"050A", false, "Ошибка работы с базой товаров!\n Налог запрещен!"},
    {"110B", false, "Ошибка работы с продажами!\n Аннуляция: удаляемая последовательность заблокирована!"},
    {"120B", false, "Ошибка работы с продажами!\n Неизвестная ошибка!"},
    {"04F0", false, "Ошибка форматированной строки!\n Форматированная строка: позиции в строке!"},
    // Unknown groups, group 0 with a detail, and codes that are no upper-case hex.
    {"0100", false, ""},
    {"000C", false, ""},
    {"0c03", false, ""},
    {"00 1", false, ""},
    {"01", false, ""},
    {"", false, ""},
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.code; }

class DecodeDeviceErrorTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeDeviceErrorTest, GivesTheTextOfTheCode) {
  devicelink::TDeviceReply reply{};
  std::strncpy(reply.ErrorCode, GetParam().code, sizeof reply.ErrorCode - 1);
  std::string text = "stale";
  EXPECT_EQ(service::DecodeDeviceError(reply, text), GetParam().ok);
  EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Codes, DecodeDeviceErrorTest, ::testing::ValuesIn(DecodeCases),
                         [](const auto& info) { return "Code_" + std::to_string(info.index); });

TEST(DecodeDeviceError, TimeOutWinsOverAnyCode) {
  for (const char* code : {"0000", "0201", "xx"}) {
    devicelink::TDeviceReply reply{};
    std::strncpy(reply.ErrorCode, code, sizeof reply.ErrorCode - 1);
    reply.ErrorMask = devicelink::MaskTimeout;
    std::string text;
    EXPECT_FALSE(service::DecodeDeviceError(reply, text));
    EXPECT_EQ(text, "Таймаут устройства! Ошибка!");
  }
}

}  // namespace
