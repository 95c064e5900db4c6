# Column layout, print offsets and the page-setup check of the shared water-quality frame.
hc_add_test(waterquality_layout_test
  SOURCES column_layout_test.cpp
  LIBS waterquality_core)
