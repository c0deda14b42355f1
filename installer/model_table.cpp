#include "installer/model_table.h"

// Rows 8 and 9 have no electronic control tape ("не КСЕФ") and take the
// variant library.
const TPrinterModel Models[ModelCount] = {
    {L"Vornik MR-20", L"Vornik_MR20_1.11", L"Vornik MR20 1.11 Fiscal Printer", L"Lumero.dl_"},
    {L"Vornik MR-41", L"Vornik_MR41_1.11", L"Vornik MR41 1.11 Fiscal Printer", L"Lumero.dl_"},
    {L"Vornik MR-62", L"Vornik_MR62_1.11", L"Vornik MR62 1.11 Fiscal Printer", L"Lumero.dl_"},
    {L"Vornik MR-73", L"Vornik_MR73_1.11", L"Vornik MR73 1.11 Fiscal Printer", L"Lumero.dl_"},
    {L"Vornik MR-84", L"Vornik_MR84_1.11", L"Vornik MR84 1.11 Fiscal Printer", L"Lumero.dl_"},
    {L"Vornik MR-95", L"Vornik_MR95_1.11", L"Vornik MR95 1.11 Fiscal Printer", L"Lumero.dl_"},
    {L"Vornik MK-16", L"Vornik_MK16_1.11", L"Vornik MK16 1.11 Fiscal Printer", L"Lumero.dl_"},
    {L"Vornik MR-38", L"Vornik_MR38_1.11", nullptr, L"Lumero.dl_"},
    {L"Vornik MR-49 (не КСЕФ)", L"Vornik_MR49nk_1.11", nullptr, L"Lumeronk.dl_"},
    {L"Vornik MR-41 (не КСЕФ)", L"Vornik_MR41nk_1.11", nullptr, L"Lumeronk.dl_"},
};
