# SPDX-License-Identifier: GPL-3.0-or-later
# The version information of the program's own file, the one source for both the Windows
# resource and the ELF section. The file version and the fixed part follow the top-level
# project version.

set(MARVANE_VERSION_FIXED "${CMAKE_PROJECT_VERSION}")  # file and product version, fixed part
set(MARVANE_VERSION_LANGUAGE 0809)   # English (United Kingdom)
set(MARVANE_VERSION_CODE_PAGE 04E4)  # 1252, Windows Latin-1
set(MARVANE_VERSION_FILE_OS 0x4)     # VOS__WINDOWS32
set(MARVANE_VERSION_FILE_TYPE 0x1)   # VFT_APP
set(MARVANE_VERSION_FILE_FLAGS 0x0)

# Name=value, in the order they are written. A value must not contain ";".
set(MARVANE_VERSION_STRINGS
  "CompanyName=Corvath Solutions"
  "FileDescription=Marvane game executable"
  "FileVersion=${CMAKE_PROJECT_VERSION}"
  "InternalName=Marvane"
  "LegalCopyright=Copyright (C) Corvath Solutions. All rights reserved."
  "LegalTrademarks="
  "OriginalFilename="
  "ProductName=Marvane"
  "ProductVersion=1.0.0.0"
  "Comments="
)
