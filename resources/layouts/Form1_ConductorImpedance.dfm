object GroupBox15: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Conductor Impedance '
end
