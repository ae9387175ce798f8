/* A stand-in for libXinerama.so.1 that reports the heads listed in ZEMBRIK_XINERAMA_HEADS,
 * "WxH+X+Y" separated by ";", the first being the one Wine makes primary. Xvfb's own Xinerama
 * stacks its screens at the origin, so Wine would see one monitor; with this library found first
 * through LD_LIBRARY_PATH it sees the heads side by side. No headers: the 32-bit build has no
 * i386 C headers, and malloc and getenv come from the C library Wine has loaded already. */
typedef struct {
  int screen_number;
  short x_org;
  short y_org;
  short width;
  short height;
} HeadInfo;

extern char* getenv(const char* name);
extern void* malloc(unsigned long size);

/* Reads a decimal number at *text and moves past it; -1 when there is none. */
static int number(const char** text) {
  int value = 0;
  int digits = 0;
  while (**text >= '0' && **text <= '9') {
    value = value * 10 + (**text - '0');
    ++*text;
    ++digits;
  }
  return digits ? value : -1;
}

static int parseHeads(HeadInfo* heads, int capacity) {
  const char* text = getenv("ZEMBRIK_XINERAMA_HEADS");
  int count = 0;
  while (text && *text && count < capacity) {
    int w = number(&text), h = (*text == 'x' ? (++text, number(&text)) : -1);
    int x = (*text == '+' ? (++text, number(&text)) : -1);
    int y = (*text == '+' ? (++text, number(&text)) : -1);
    if (w <= 0 || h <= 0 || x < 0 || y < 0)
      return 0;
    heads[count].screen_number = count;
    heads[count].x_org = (short)x;
    heads[count].y_org = (short)y;
    heads[count].width = (short)w;
    heads[count].height = (short)h;
    ++count;
    if (*text == ';')
      ++text;
  }
  return count;
}

int XineramaQueryExtension(void* display, int* eventBase, int* errorBase) {
  (void)display;
  *eventBase = 0;
  *errorBase = 0;
  return 1;
}

int XineramaQueryVersion(void* display, int* major, int* minor) {
  (void)display;
  *major = 1;
  *minor = 1;
  return 1;
}

int XineramaIsActive(void* display) {
  HeadInfo heads[8];
  (void)display;
  return parseHeads(heads, 8) > 0;
}

/* The caller frees the list with XFree, which is free(). */
HeadInfo* XineramaQueryScreens(void* display, int* count) {
  HeadInfo heads[8];
  HeadInfo* list;
  int i;
  (void)display;
  *count = parseHeads(heads, 8);
  if (*count == 0)
    return 0;
  list = (HeadInfo*)malloc(sizeof(HeadInfo) * (unsigned long)*count);
  if (!list) {
    *count = 0;
    return 0;
  }
  for (i = 0; i < *count; ++i) list[i] = heads[i];
  return list;
}
