#include "wine_printer.h"

#include <windows.h>
#include <winspool.h>

#include <cstring>
#include <cwchar>
#include <utility>
#include <vector>

namespace corvanta::testing {

namespace {

constexpr const wchar_t* kPpdFile = L"corvanta-sheet.ppd";

// US Letter at 600 dpi with quarter-inch sides and fifth-of-an-inch top and
// bottom: a printable area of 4800 x 6360 pixels. Helvetica and Symbol are
// resident, and the printer's font substitution table maps Arial and Symbol
// onto them, as PostScript printers are commonly set up. Wine's driver can
// also send the TrueType faces along, but then it ignores a font's width
// (the sheet's squeezed Arial comes out at full width while the text
// positions are those of the squeezed one, so runs overlap) and it breaks
// the glyphs of Wine's own Symbol face; with resident fonts the page only
// loses the squeeze.
constexpr const char* kPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "CORVSHT.PPD"
*Manufacturer: "Corvanta"
*Product: "(Corvanta sheet test printer)"
*ModelName: "Corvanta sheet test printer"
*ShortNickName: "Corvanta sheet test printer"
*NickName: "Corvanta sheet test printer"
*PSVersion: "(3010.000) 550"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*LandscapeOrientation: Plus90
*TTRasterizer: Type42

*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize

*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion

*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 14.4 594 777.6"
*DefaultPaperDimension: Letter
*PaperDimension Letter/Letter: "612 792"

*OpenUI *Resolution/Output Resolution: PickOne
*OrderDependency: 20 AnySetup *Resolution
*DefaultResolution: 600dpi
*Resolution 600dpi/600 DPI: "<</HWResolution[600 600]>>setpagedevice"
*CloseUI: *Resolution

*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
*Font Helvetica: Standard "(001.006S)" Standard ROM
*Font Symbol: Special "(001.007S)" Special ROM
)ppd";

std::string LastError(const char* what) {
  return std::string(what) + " failed, error " + std::to_string(GetLastError());
}

std::wstring DriverDirectory() {
  wchar_t folder[MAX_PATH] = {};
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<LPBYTE>(folder),
                                  sizeof folder, &needed)) {
    return {};
  }
  return folder;
}

bool PrinterExists(const wchar_t* name) {
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<LPWSTR>(name), &printer, nullptr)) return false;
  ClosePrinter(printer);
  return true;
}

std::vector<std::wstring> PrinterNames() {
  DWORD needed = 0, count = 0;
  EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed ? needed : 1);
  std::vector<std::wstring> names;
  if (!EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count)) {
    return names;
  }
  const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) names.emplace_back(info[i].pPrinterName);
  return names;
}

}  // namespace

std::string EnsureSheetPrinter() {
  // The PPD goes where the driver's files live, in the version-3 folder;
  // installing the driver does not copy it there by itself.
  const std::wstring drivers = DriverDirectory();
  if (drivers.empty()) return LastError("GetPrinterDriverDirectoryW");
  const std::wstring version3 = drivers + L"\\3";
  CreateDirectoryW(version3.c_str(), nullptr);
  const std::wstring ppdPath = version3 + L"\\" + kPpdFile;
  HANDLE ppd = CreateFileW(ppdPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (ppd == INVALID_HANDLE_VALUE) return LastError("CreateFileW of the PPD");
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(std::strlen(kPpd));
  const BOOL wrote = WriteFile(ppd, kPpd, size, &written, nullptr);
  CloseHandle(ppd);
  if (!wrote || written != size) return LastError("WriteFile of the PPD");

  DRIVER_INFO_3W driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<LPWSTR>(kSheetPrinterName);
  driver.pDriverPath = const_cast<LPWSTR>(L"wineps.drv");
  driver.pDataFile = const_cast<LPWSTR>(kPpdFile);
  driver.pConfigFile = const_cast<LPWSTR>(L"wineps.drv");
  if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_NEW_FILES) &&
      GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    return LastError("AddPrinterDriverExW");
  }

  CreateDirectoryW(L"C:\\corvanta-print", nullptr);
  if (!PrinterExists(kSheetPrinterName)) {
    PRINTER_INFO_2W info{};
    info.pPrinterName = const_cast<LPWSTR>(kSheetPrinterName);
    info.pPortName = const_cast<LPWSTR>(kSheetPrinterOutput);
    info.pDriverName = const_cast<LPWSTR>(kSheetPrinterName);
    info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
    info.pDatatype = const_cast<LPWSTR>(L"RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (!printer) return LastError("AddPrinterW");
    ClosePrinter(printer);
  }
  PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<LPWSTR>(kSheetPrinterName), &printer, &access)) {
    return LastError("OpenPrinterW");
  }
  for (const auto& [face, resident] : {std::pair{L"Arial", L"Helvetica"},
                                       std::pair{L"Symbol", L"Symbol"}}) {
    const DWORD bytes = static_cast<DWORD>((std::wcslen(resident) + 1) * sizeof(wchar_t));
    const DWORD status =
        SetPrinterDataExW(printer, L"PrinterDriverData\\FontSubTable", face, REG_SZ,
                          reinterpret_cast<LPBYTE>(const_cast<wchar_t*>(resident)), bytes);
    if (status != ERROR_SUCCESS) {
      ClosePrinter(printer);
      return "SetPrinterDataExW failed, error " + std::to_string(status);
    }
  }
  ClosePrinter(printer);
  if (!SetDefaultPrinterW(kSheetPrinterName)) return LastError("SetDefaultPrinterW");
  return {};
}

std::string RemoveAllPrinters() {
  for (const std::wstring& name : PrinterNames()) {
    PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<LPWSTR>(name.c_str()), &printer, &access)) {
      return LastError("OpenPrinterW");
    }
    const BOOL deleted = DeletePrinter(printer);
    ClosePrinter(printer);
    if (!deleted) return LastError("DeletePrinter");
  }
  return {};
}

int PrinterCount() { return static_cast<int>(PrinterNames().size()); }

}  // namespace corvanta::testing
