object GroupBox23: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Plane Information '
  object Label617: TLabel
    Left = 16
    Top = 28
    Width = 90
    Height = 13
    Caption = 'Voltage Ripple (%)'
  end
  object Edit107: TEdit
    Left = 16
    Top = 44
    Width = 60
    Height = 21
    Text = '5'
  end
  object UpDown4: TUpDown
    Left = 76
    Top = 44
    Width = 17
    Height = 21
    Min = 0
    Max = 100
    Position = 5
    Associate = Edit107
    OnChanging = UpDown4Changing
    OnClick = UpDown4Click
  end
  object Label611: TLabel
    Left = 120
    Top = 28
    Width = 90
    Height = 13
    Caption = 'Transient Current (%)'
  end
  object Edit110: TEdit
    Left = 120
    Top = 44
    Width = 60
    Height = 21
    Text = '50'
  end
  object UpDown5: TUpDown
    Left = 180
    Top = 44
    Width = 17
    Height = 21
    Min = 1
    Max = 100
    Position = 50
    Associate = Edit110
    OnChanging = UpDown5Changing
    OnClick = UpDown5Click
  end
end
