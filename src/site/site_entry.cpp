#include "site_entry.h"

extern "C" __attribute__((visibility("default"))) void ventora_find_surroundings(
    const ventora::site::SurroundingsQuery& query, ventora::site::SurroundingsAnswer& answer) {
  answer = ventora::site::FindSurroundings(query);
}
