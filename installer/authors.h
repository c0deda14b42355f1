#pragma once
// Who made the installed objects, as the information list and the OPOS
// description values name them.
inline constexpr wchar_t ControlObjectAuthor[] = L"Lumero project";
inline constexpr wchar_t ControlObjectCompany[] = L"Lumero project";
inline constexpr wchar_t ServiceObjectAuthor[] = L"Lumero project";
inline constexpr wchar_t ServiceObjectCompany[] = L"Orvana, Quellan Ukraine";
inline constexpr wchar_t ConfiguratorAuthor[] = L"Lumero project";
