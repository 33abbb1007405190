# SPDX-License-Identifier: GPL-3.0-or-later
if(PRISMELLE_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=all
           -fsanitize=float-cast-overflow -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()
