#pragma once

#include <cstdint>

/// Runs goes until the user declines another one or input ends, and returns the exit status:
/// 0, or 1 after a line on standard error when the output or the input failed.
int run_dialogue();

/// Prompts until a line starts with a whole number from 2 to max_limit and returns it;
/// returns 0 when the input ends or the output or the input fails first, since no limit will come.
std::int32_t read_limit();

/// Asks for another go; true only for a line that is exactly "y" or "Y".
bool ask_another_go();
