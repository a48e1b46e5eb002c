vesrin_fuzz_target(TextFields SOURCES TextFieldsFuzz.cpp LIBS vesrin_base)
