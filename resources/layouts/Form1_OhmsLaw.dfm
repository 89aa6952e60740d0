object GroupBox47: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Ohm''s Law '
end
