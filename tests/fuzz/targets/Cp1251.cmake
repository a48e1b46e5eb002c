vesrin_fuzz_target(Cp1251 SOURCES Cp1251Fuzz.cpp LIBS vesrin_base)
