#include "dialogue.hpp"

int main() {
  return run_dialogue();
}
