#include "check.h"

int main() {
  return check::runAll();
}
