# A PDF printer queue for the printing tests: started and added when CUPS can
# run here, removed afterwards. Sourced by test.sh.
OCUVANCE_TEST_QUEUE=OcuvanceTestPDF
printer_up() { :; }
printer_down() { :; }
