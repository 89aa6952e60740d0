object GroupBox11: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Mechanical Info '
  object ComboBox3: TComboBox
    Left = 16
    Top = 28
    Width = 120
    Height = 21
    Style = csDropDownList
    Hint = 'Select the wire gauge.'
    Items.Strings = (
      '10 AWG'
      '12 AWG')
    ItemIndex = 0
    OnChange = Button1Click
  end
  object Label614: TLabel
    Left = 16
    Top = 60
    Width = 80
    Height = 13
    Caption = 'Load Current (A)'
  end
  object Edit146: TEdit
    Left = 16
    Top = 76
    Width = 90
    Height = 21
    Text = '1'
  end
  object Label615: TLabel
    Left = 120
    Top = 60
    Width = 80
    Height = 13
    Caption = 'Wire Length'
  end
  object Edit148: TEdit
    Left = 120
    Top = 76
    Width = 90
    Height = 21
    Text = '1'
  end
  object Label616: TLabel
    Left = 224
    Top = 60
    Width = 80
    Height = 13
    Caption = 'Voltage Drop'
  end
  object Edit147: TEdit
    Left = 224
    Top = 76
    Width = 110
    Height = 21
    Text = ''
    ReadOnly = True
    TabStop = False
    Font.Color = clNavy
    Font.Style = [fsBold]
  end
end
