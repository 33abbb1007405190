# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings for our own targets only (not for the imported Qt and QCustomPlot headers).
function(prismelle_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
