vesrin_fuzz_target(TextCipher SOURCES TextCipherFuzz.cpp LIBS vesrin_base)
